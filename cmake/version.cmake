# The product's name and its publisher, as the packages, the installer and the programs' version
# resources show them.
set(MILDEN_PRODUCT_NAME ミルデン)
set(MILDEN_PUBLISHER Velk探偵事務所)
# The named mutex that milden.exe holds while it runs, in the namespace of every session: by it the
# installer and the uninstaller know that the program runs and ask to close it first.
set(MILDEN_RUNNING_MUTEX "Global\\jp.velk.milden.running")
# One version for every program and test: version.h, made from project(VERSION) and the names
# above, through the interface target milden_version.
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in ${CMAKE_BINARY_DIR}/generated/version.h @ONLY)
add_library(milden_version INTERFACE)
target_include_directories(milden_version INTERFACE ${CMAKE_BINARY_DIR}/generated)
