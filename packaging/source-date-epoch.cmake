# Read by cpack before it packs: the time of every file in the package is the last commit's, so
# two builds of one commit give the same package. A given SOURCE_DATE_EPOCH wins; a source tree
# without its git history takes the release day.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(COMMAND git -C "${CPACK_KEYWRIGHT_SOURCE_DIR}" log -1 --format=%ct
                    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE failed ERROR_QUIET)
    if(failed OR NOT epoch MATCHES "^[0-9]+$")
        set(epoch ${CPACK_KEYWRIGHT_RELEASE_EPOCH})
    endif()
    set(ENV{SOURCE_DATE_EPOCH} ${epoch})
endif()
