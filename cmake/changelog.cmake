# The newest entry of the package's change log (packaging/changelog): its version and its date,
# as the time in seconds since 1970 that builds outside a git checkout stamp the package with.
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog _entries REGEX "^ -- ")
list(GET _entries 0 _newest)
if(NOT _newest MATCHES ">  (.+)$")
  message(FATAL_ERROR "packaging/changelog: no date in its newest entry's trailer line")
endif()
execute_process(COMMAND date -u -d "${CMAKE_MATCH_1}" +%s
                OUTPUT_VARIABLE QUELMIRE_CHANGELOG_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
