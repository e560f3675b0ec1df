# Installs the build into a staging folder and checks what a desktop needs: the programs, the desktop
# entry pointing at an installed program and icon, the metainfo, the manual page of orvane, and (when
# the tools are present) that desktop-file-validate, appstreamcli and groff accept them.
# Run as: cmake -DBUILD_DIR=<build> -DSTAGE=<folder> -P CheckInstall.cmake
file(REMOVE_RECURSE "${STAGE}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${STAGE}" RESULT_VARIABLE status
                OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(desktop "${STAGE}/share/applications/org.orvane.Editor.desktop")
set(metainfo "${STAGE}/share/metainfo/org.orvane.Editor.metainfo.xml")
set(manual "${STAGE}/share/man/man1/orvane.1")
foreach(path "${STAGE}/bin/orvane-editor" "${STAGE}/bin/orvane" "${STAGE}/bin/orvane-sample-game" "${desktop}"
        "${metainfo}" "${STAGE}/share/icons/hicolor/scalable/apps/org.orvane.Editor.svg" "${manual}")
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()

file(STRINGS "${desktop}" exec REGEX "^Exec=")
string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" program "${exec}")
if(NOT EXISTS "${STAGE}/bin/${program}")
  message(FATAL_ERROR "the desktop entry starts '${program}', which is not in bin")
endif()
file(STRINGS "${desktop}" icon REGEX "^Icon=")
string(REGEX REPLACE "^Icon=" "" icon "${icon}")
if(NOT EXISTS "${STAGE}/share/icons/hicolor/scalable/apps/${icon}.svg")
  message(FATAL_ERROR "the desktop entry names the icon '${icon}', which is not installed")
endif()
file(READ "${metainfo}" component)
if(NOT component MATCHES "<launchable type=\"desktop-id\">org.orvane.Editor.desktop</launchable>")
  message(FATAL_ERROR "the metainfo does not launch the installed desktop entry")
endif()

# Runs a validator on a file when the validator is installed; a rejection fails the check.
function(validate tool file)
  find_program(validator_${tool} ${tool})
  if(NOT validator_${tool})
    message(STATUS "${tool} not found: ${file} not validated")
    return()
  endif()
  execute_process(COMMAND ${validator_${tool}} ${ARGN} "${file}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${tool} rejects ${file}")
  endif()
endfunction()

validate(desktop-file-validate "${desktop}")
validate(appstreamcli "${metainfo}" validate --no-net)

# The manual page formats with no warning at all (-ww), and the installed tool runs.
find_program(groff groff)
if(groff)
  execute_process(COMMAND ${groff} -man -Tutf8 -ww "${manual}" OUTPUT_QUIET ERROR_VARIABLE warnings RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR NOT warnings STREQUAL "")
    message(FATAL_ERROR "groff warns about ${manual}:\n${warnings}")
  endif()
else()
  message(STATUS "groff not found: ${manual} not checked")
endif()
execute_process(COMMAND "${STAGE}/bin/orvane" --version OUTPUT_VARIABLE version RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT version MATCHES "^orvane [0-9]")
  message(FATAL_ERROR "the installed orvane does not run: ${status} ${version}")
endif()
message(STATUS "installed layout is complete")
