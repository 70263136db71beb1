# Makes the portable zip and the installer: cmake -DVERSION=... -DSOURCE=... -DBINARY=...
#   -DVELKARO=... -DCOLOR=... -DICON=... -P package.cmake
# Velkaro-<VERSION>-win64.zip in BINARY holds the two programs, the user's guide and the
# licence (with Windows line ends), in a fixed order, every entry dated the time of the
# source's last commit (or SOURCE_DATE_EPOCH when set): the same bytes from every build of
# the same commit. Velkaro-<VERSION>-setup.exe installs the same four files.
set(stage ${BINARY}/package)
file(REMOVE_RECURSE ${stage})
file(MAKE_DIRECTORY ${stage})
file(COPY_FILE ${VELKARO} ${stage}/Velkaro.exe)
file(COPY_FILE ${COLOR} ${stage}/velkaro-color.exe)
set(VELKARO_VERSION ${VERSION})
configure_file(${SOURCE}/packaging/README.txt ${stage}/README.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(${SOURCE}/LICENSE ${stage}/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)

if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(epoch $ENV{SOURCE_DATE_EPOCH})
else()
  execute_process(COMMAND git -C ${SOURCE} log -1 --format=%ct OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE git_failed)
  if(git_failed OR epoch STREQUAL "")
    set(epoch 315532800)  # 1980-01-01, the earliest time a zip entry can carry
  endif()
endif()

# Info-ZIP without its extra fields (-X: no owner, no access or change times) and without
# folder entries (-D); each file dated the epoch and its mode fixed, the times written in
# UTC whatever the machine's zone.
set(files Velkaro.exe velkaro-color.exe README.txt LICENSE.txt)
set(zip ${BINARY}/Velkaro-${VERSION}-win64.zip)
file(REMOVE ${zip})
execute_process(COMMAND chmod 644 ${files} WORKING_DIRECTORY ${stage})
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC touch -d @${epoch} ${files} WORKING_DIRECTORY ${stage})
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC zip -X -D -q -9 ${zip} ${files}
                WORKING_DIRECTORY ${stage} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "the zip could not be made")
endif()
message(STATUS "${zip}")

# The installer stores no file times (SetDateSave off) and its stubs carry none of their
# own, so the same files give the same bytes.
find_program(MAKENSIS makensis)
if(NOT MAKENSIS)
  message(FATAL_ERROR "makensis not found (is the nsis package installed?)")
endif()
set(size 0)
foreach(f ${files})
  file(SIZE ${stage}/${f} bytes)
  math(EXPR size "${size} + ${bytes}")
endforeach()
math(EXPR size_kb "(${size} + 1023) / 1024")
set(setup ${BINARY}/Velkaro-${VERSION}-setup.exe)
file(REMOVE ${setup})
execute_process(COMMAND ${MAKENSIS} -V2 -INPUTCHARSET UTF8 -DVERSION=${VERSION} -DSTAGE=${stage} -DICON=${ICON}
                        -DSIZE_KB=${size_kb} -DOUTFILE=${setup} ${SOURCE}/packaging/velkaro.nsi
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "the installer could not be made")
endif()
message(STATUS "${setup}")
