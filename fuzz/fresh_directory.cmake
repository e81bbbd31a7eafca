# cmake -DDIR=<path> -P fresh_directory.cmake: DIR, empty (a fuzzer's working corpus for one run).
file(REMOVE_RECURSE "${DIR}")
file(MAKE_DIRECTORY "${DIR}")
