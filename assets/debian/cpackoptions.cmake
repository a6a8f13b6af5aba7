# Read by cpack once per generator: the tar archive packs the portable
# component, the Debian package the system layout below /usr.
if(CPACK_GENERATOR STREQUAL "DEB")
    set(component system)
    set(CPACK_STRIP_FILES ON)
else()
    set(component portable)
endif()
# Entries of build folder, project, component, folder: one component only.
list(TRANSFORM CPACK_INSTALL_CMAKE_PROJECTS REPLACE "^ALL$" ${component})
