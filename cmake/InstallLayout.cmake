# Where `cmake --install` puts the programs and the five images. On Windows
# everything lies in one folder, datas/ beside the .exe files, as in the zip.
# Elsewhere the programs go to bin/, named zarn-demo and zarn-demo-capture so
# that they clash with no other program there, and the images to
# share/zarn-demo/datas. The demo finds the installed images from its own
# folder through DEMO_INSTALLED_IMAGES.
if(WIN32)
  set(DEMO_INSTALL_BINDIR .)
  set(DEMO_INSTALL_DATASDIR datas)
  set(DEMO_INSTALL_NAME_PREFIX "")
else()
  set(DEMO_INSTALL_BINDIR bin)
  set(DEMO_INSTALL_DATASDIR share/zarn-demo/datas)
  set(DEMO_INSTALL_NAME_PREFIX zarn-)
endif()
file(RELATIVE_PATH DEMO_INSTALLED_IMAGES /root/${DEMO_INSTALL_BINDIR} /root/${DEMO_INSTALL_DATASDIR})

# Installs a program under its installed name; the build folder keeps its own.
function(demo_install_program target)
  install(PROGRAMS $<TARGET_FILE:${target}> DESTINATION ${DEMO_INSTALL_BINDIR}
    RENAME ${DEMO_INSTALL_NAME_PREFIX}${target}${CMAKE_EXECUTABLE_SUFFIX})
endfunction()

if(NOT EMSCRIPTEN)
  install(FILES
    datas/cite_des_sciences.raw
    datas/cite_des_sciences_smile.raw
    datas/normal_map.raw
    datas/flare.raw
    datas/particule.raw
    DESTINATION ${DEMO_INSTALL_DATASDIR})
endif()
