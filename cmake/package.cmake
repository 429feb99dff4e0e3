# The release bundle a till gets: cmake --build --preset win32 --target package makes
# Lumo-<version>-win32.zip and, from it, the Windows Installer package Lumo-<version>-x86.msi
# (cmake/msi.cmake). The program, the hook library, lumo-inspect, a sample Lumo.sdf,
# the empty advertisement folder and the integrator's documents; nothing of the test
# stand-ins (the vendor installs its own cts4r.dll).
install(TARGETS Lumo hooker RUNTIME DESTINATION . ARCHIVE DESTINATION lib EXCLUDE_FROM_ALL)
if(TARGET lumo-inspect)
  install(TARGETS lumo-inspect RUNTIME DESTINATION .)
else()
  install(CODE "message(FATAL_ERROR \"the bundle needs lumo-inspect.exe, which is not built\")")
endif()
# A chain's own screen definition and hotkeys go into its bundle instead of the sample; a
# missing file fails the packaging. The texts go in Windows form (cmake/windows-text.cmake);
# the hotkey file is binary and goes as it is.
set(LUMO_SITE_SDF "" CACHE FILEPATH "The chain's Lumo.sdf for the bundle (default: the sample)")
set(LUMO_SITE_HKD "" CACHE FILEPATH "The chain's Lumo.hkd for the bundle (default: none)")
if(LUMO_SITE_SDF)
  set(lumo_bundle_sdf ${LUMO_SITE_SDF})
else()
  set(lumo_bundle_sdf ${CMAKE_SOURCE_DIR}/package/Lumo.sdf)
endif()
install(CODE "
  include(\"${CMAKE_SOURCE_DIR}/cmake/windows-text.cmake\")
  set(to \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
  lumo_windows_text(\"${lumo_bundle_sdf}\" \"\${to}/Lumo.sdf\" OFF)
  lumo_windows_text(\"${CMAKE_SOURCE_DIR}/package/README.txt\" \"\${to}/README.txt\" ON)
  lumo_windows_text(\"${CMAKE_SOURCE_DIR}/docs/integrating.md\" \"\${to}/docs/integrating.md\" ON)
")
if(LUMO_SITE_HKD)
  install(FILES ${LUMO_SITE_HKD} DESTINATION . RENAME Lumo.hkd)
endif()
install(DIRECTORY DESTINATION ad)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Lumo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Lumo-${PROJECT_VERSION}-win32)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/msi.cmake)
include(CPack)
