# The release packages, made by CPack from the install rules (tools/release.sh
# runs it): on Linux a .deb and a .tar.gz, on Windows a .zip, each named with
# the project's version, system and processor.
if(WIN32)
  set(package_system windows)
else()
  set(package_system linux)
endif()
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(aarch64|arm64|ARM64)$")
  set(package_processor arm64)
  set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
else()
  set(package_processor x86_64)
  set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE amd64)
endif()

set(CPACK_PACKAGE_NAME zarn-demo)
set(CPACK_PACKAGE_VENDOR "The Zarn Screen Copier authors")
set(CPACK_PACKAGE_CONTACT "The Zarn Screen Copier authors <zarn-demo@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small real-time light demo drawn in software")
set(CPACK_PACKAGE_FILE_NAME zarn-demo-${PROJECT_VERSION}-${package_system}-${package_processor})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)

# Debian: the dependencies worked out from the programs' shared libraries.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# CPack puts the summary above this text and indents its lines.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A 240 x 240 window shows a picture lit per pixel from a normal map by a
moving light, an additive flare and a fountain of alpha-blended sparks.
zarn-demo shows it in a window (X11 or Wayland); zarn-demo-capture writes
its frames as raw, PPM or PNG images.")

if(WIN32)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/README-windows.txt.in ${CMAKE_BINARY_DIR}/README.txt
    @ONLY NEWLINE_STYLE CRLF)
  install(FILES ${CMAKE_BINARY_DIR}/README.txt DESTINATION .)
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
else()
  # Debian's places for the licence, the changelog and the manual pages, the
  # last two compressed without a time stamp.
  foreach(name changelog zarn-demo.1 zarn-demo-capture.1)
    set(source ${PROJECT_SOURCE_DIR}/packaging/${name})
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
    execute_process(COMMAND gzip -9nc ${source} OUTPUT_FILE ${CMAKE_BINARY_DIR}/${name}.gz COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${CMAKE_BINARY_DIR}/changelog.gz
    DESTINATION share/doc/zarn-demo)
  install(FILES ${CMAKE_BINARY_DIR}/zarn-demo.1.gz ${CMAKE_BINARY_DIR}/zarn-demo-capture.1.gz
    DESTINATION share/man/man1)
endif()

set(CPACK_GENERATOR "")
include(CPack)
