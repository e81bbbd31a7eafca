# Writes sw.js into the site folder from sw.js.in: the list of the site's files, and a version made
# from their content. Run by the build (cmake -P) once every other file of the site is in place:
#   -DSITE_DIR=... -DTEMPLATE=... -DFILES="index.html;style.css;..."
set(version_text "")
set(listed "'./'")
foreach(file IN LISTS FILES)
  file(SHA256 ${SITE_DIR}/${file} hash)
  string(APPEND version_text "${file} ${hash}\n")
  string(APPEND listed ", '${file}'")
endforeach()
string(SHA256 version "${version_text}")
string(SUBSTRING ${version} 0 16 MILDEN_SITE_VERSION)
set(MILDEN_SITE_FILES ${listed})
configure_file(${TEMPLATE} ${SITE_DIR}/sw.js @ONLY)
