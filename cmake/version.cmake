# The release number lives in the top-level VERSION file alone; this reads
# it into ZT_VERSION and its parts, and writes zt_version.h for the code
# and the resource script.
set(ZT_VERSION_FILE ${CMAKE_CURRENT_LIST_DIR}/../VERSION)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ZT_VERSION_FILE})
file(STRINGS ${ZT_VERSION_FILE} ZT_VERSION LIMIT_COUNT 1)
string(STRIP "${ZT_VERSION}" ZT_VERSION)
if(NOT ZT_VERSION MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
  message(FATAL_ERROR "VERSION must hold MAJOR.MINOR.PATCH, not '${ZT_VERSION}'")
endif()
set(ZT_VERSION_MAJOR ${CMAKE_MATCH_1})
set(ZT_VERSION_MINOR ${CMAKE_MATCH_2})
set(ZT_VERSION_PATCH ${CMAKE_MATCH_3})

function(zt_write_version_header dir)
  configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/zt_version.h.in ${dir}/zt_version.h @ONLY)
endfunction()
