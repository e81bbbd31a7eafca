// The data file in the browser, where there is no file system: the page fetches the bytes (the
// bundled sorvane.dat, or a file its user opened) and hands them over under the path the core
// will ask for. data_file_web.cpp opens that file for DataFileHandle and CheckFileExist.
#pragma once

#include <string>

namespace milden {

// Makes bytes the content of the file at path, the only file there is; a later call replaces it.
void ProvidePageFile(std::string path, std::string bytes);

}  // namespace milden
