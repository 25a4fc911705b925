# Packs the staged folder STAGE/NAME into OUT_DIR/NAME.zip and writes OUT_DIR/SHA256SUMS
# for it; run by the dist target (cmake/dist.cmake) as
#
#   cmake -DSOURCE_DIR=... -DGIT=... -DZIP=... -DSTAGE=... -DNAME=... -DOUT_DIR=...
#         [-DADD_TO_SUMS=ON] -P dist-pack.cmake
#
# With ADD_TO_SUMS the zip's line is added to the SHA256SUMS already there, for a second
# package beside the first.
#
# The zip's bytes depend on the staged files' contents only, never on who packs them, where,
# when or in which time zone: every entry carries one time, the commit's; the folders and
# the programs are rwxr-xr-x and the other files rw-r--r--, whatever the umask; the entries
# come in name order; zip -X leaves out the packer's user and group ids and the extra time
# fields; and the entries' DOS times, which zip writes in local time, are written in UTC.

# The time the entries carry: SOURCE_DATE_EPOCH when set (the usual way to pin a build's
# time); else the time of the source tree's checked-out commit; else, outside a git checkout,
# 1980-01-01 00:00 UTC, the earliest time a zip entry can hold.
function(pack_time out)
  if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(${out} $ENV{SOURCE_DATE_EPOCH} PARENT_SCOPE)
  elseif(EXISTS ${SOURCE_DIR}/.git)
    if(NOT GIT)
      message(FATAL_ERROR "git is needed to read the commit's time; or set SOURCE_DATE_EPOCH")
    endif()
    execute_process(COMMAND ${GIT} -C ${SOURCE_DIR} log -1 --format=%ct
      OUTPUT_VARIABLE time OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
    if(failed OR NOT time MATCHES "^[0-9]+$")
      message(FATAL_ERROR "cannot read the commit's time in ${SOURCE_DIR}; "
        "set SOURCE_DATE_EPOCH to pack anyway")
    endif()
    set(${out} ${time} PARENT_SCOPE)
  else()
    message(STATUS "${SOURCE_DIR} is no git checkout: the zip's entries carry 1980-01-01")
    set(${out} 315532800 PARENT_SCOPE)
  endif()
endfunction()

set(folder ${STAGE}/${NAME})
file(GLOB_RECURSE files LIST_DIRECTORIES true RELATIVE ${STAGE} ${folder}/*)
list(SORT files)

set(rwxr_xr_x OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
  WORLD_EXECUTE)
set(rw_r__r__ OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
file(CHMOD ${folder} PERMISSIONS ${rwxr_xr_x})
foreach(file IN LISTS files)
  if(IS_DIRECTORY ${STAGE}/${file} OR file MATCHES "\\.exe$")
    file(CHMOD ${STAGE}/${file} PERMISSIONS ${rwxr_xr_x})
  else()
    file(CHMOD ${STAGE}/${file} PERMISSIONS ${rw_r__r__})
  endif()
endforeach()

pack_time(time)
execute_process(COMMAND touch --date=@${time} ${NAME} ${files}
  WORKING_DIRECTORY ${STAGE} COMMAND_ERROR_IS_FATAL ANY)

# zip adds to an archive that is already there; this one starts afresh.
set(zip_file ${OUT_DIR}/${NAME}.zip)
file(REMOVE ${zip_file})
set(ENV{TZ} UTC)
execute_process(COMMAND ${ZIP} -X -q ${zip_file} ${NAME}/ ${files}
  WORKING_DIRECTORY ${STAGE} COMMAND_ERROR_IS_FATAL ANY)

file(SHA256 ${zip_file} sum)
if(ADD_TO_SUMS)
  file(APPEND ${OUT_DIR}/SHA256SUMS "${sum}  ${NAME}.zip\n")
else()
  file(WRITE ${OUT_DIR}/SHA256SUMS "${sum}  ${NAME}.zip\n")
endif()
