# Installs the build into a scratch prefix and checks what a desktop looks
# for there: cmake -DBUILD_DIR=... -DPREFIX=... -DICON_SIZES=... -P check_install.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(errors "")
macro(fail text)
  string(APPEND errors "  ${text}\n")
endmacro()

# The program lives out of the PATH; the PATH holds the starter, which must
# name the program where this install put it.
set(binary ${PREFIX}/lib/kemurina/kemurina)
if(NOT EXISTS ${binary} OR IS_DIRECTORY ${binary})
  fail("no program at lib/kemurina/kemurina")
else()
  file(READ ${binary} magic LIMIT 4 HEX)
  if(NOT magic STREQUAL "7f454c46")
    fail("lib/kemurina/kemurina is not an executable file")
  endif()
endif()
set(starter ${PREFIX}/bin/kemurina)
if(NOT EXISTS ${starter})
  fail("no starter at bin/kemurina")
else()
  file(READ ${starter} script)
  if(NOT script MATCHES "^#!/bin/sh\n")
    fail("bin/kemurina is not a POSIX shell script")
  endif()
  string(FIND "${script}" "\nexec \"${binary}\" \"\$@\"\n" at)
  if(at EQUAL -1)
    fail("bin/kemurina does not start ${binary}")
  endif()
endif()

set(entry ${PREFIX}/share/applications/kemurina.desktop)
set(metainfo ${PREFIX}/share/metainfo/com.example.kemurina.metainfo.xml)
foreach(path ${entry} ${metainfo} ${PREFIX}/share/icons/hicolor/scalable/apps/kemurina.svg
             ${PREFIX}/share/man/man1/kemurina.1.gz ${PREFIX}/share/doc/kemurina/copyright
             ${PREFIX}/share/doc/kemurina/changelog.Debian.gz)
  if(NOT EXISTS ${path})
    fail("missing ${path}")
  endif()
endforeach()

# Each themed icon must really have its folder's size: a PNG's width and
# height are the two 4-byte numbers after its 16-byte header.
foreach(size IN LISTS ICON_SIZES)
  set(icon ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/kemurina.png)
  if(NOT EXISTS ${icon})
    fail("missing ${size}x${size} icon")
    continue()
  endif()
  file(READ ${icon} header OFFSET 16 LIMIT 8 HEX)
  string(SUBSTRING "${header}" 0 8 width_hex)
  string(SUBSTRING "${header}" 8 8 height_hex)
  math(EXPR width "0x${width_hex}")
  math(EXPR height "0x${height_hex}")
  if(NOT width EQUAL size OR NOT height EQUAL size)
    fail("${size}x${size} icon is ${width}x${height}")
  endif()
endforeach()

# The entry starts the installed program by the icon's theme name, and the
# AppStream record points at the entry under its installed name.
if(EXISTS ${entry})
  file(STRINGS ${entry} lines ENCODING UTF-8)
  foreach(wanted "Exec=kemurina" "Icon=kemurina" "Name=ケムリナ式" "Terminal=false"
                 "Categories=Utility;")
    if(NOT wanted IN_LIST lines)
      fail("kemurina.desktop lacks the line ${wanted}")
    endif()
  endforeach()
endif()
if(EXISTS ${metainfo})
  file(READ ${metainfo} xml)
  if(NOT xml MATCHES "<launchable type=\"desktop-id\">kemurina.desktop</launchable>")
    fail("the metainfo does not launch kemurina.desktop")
  endif()
  if(NOT xml MATCHES "<id>com.example.kemurina</id>")
    fail("the metainfo's id does not match its file name")
  endif()
endif()

# AppStream's own view of the installed tree: the record finds its entry.
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net --no-color ${PREFIX}
                  RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE report)
  if(NOT result EQUAL 0)
    fail("appstreamcli validate-tree: ${report}")
  endif()
endif()

if(errors)
  message(FATAL_ERROR "install layout under ${PREFIX}:\n${errors}")
endif()
file(REMOVE_RECURSE ${PREFIX})
message(STATUS "install layout under ${PREFIX} is complete")
