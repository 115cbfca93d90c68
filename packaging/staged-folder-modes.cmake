# Run by cpack between staging the files and packing them. CMake creates the staged folders
# through the umask of whoever builds; they are packed as 0755 whatever that umask is.
if(NOT IS_DIRECTORY "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
    message(FATAL_ERROR "no staged files to set the folders' modes of")
endif()
file(GLOB_RECURSE paths LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(path IN LISTS paths)
    if(IS_DIRECTORY "${path}" AND NOT IS_SYMLINK "${path}")
        file(CHMOD "${path}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
                                         GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    endif()
endforeach()
