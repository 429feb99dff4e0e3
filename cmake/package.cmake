# The release bundle a till gets: cmake --build --preset win32 --target package makes
# Lumo-<version>-win32.zip. The program, the hook library, lumo-inspect, a sample Lumo.sdf,
# the empty advertisement folder and the integrator's documents; nothing of the test
# stand-ins (the vendor installs its own cts4r.dll).
install(TARGETS Lumo hooker RUNTIME DESTINATION . ARCHIVE DESTINATION lib EXCLUDE_FROM_ALL)
if(TARGET lumo-inspect)
  install(TARGETS lumo-inspect RUNTIME DESTINATION .)
else()
  install(CODE "message(FATAL_ERROR \"the bundle needs lumo-inspect.exe, which is not built\")")
endif()
# The texts go in Windows form (cmake/windows-text.cmake); a missing one fails the packaging.
install(CODE "
  include(\"${CMAKE_SOURCE_DIR}/cmake/windows-text.cmake\")
  set(to \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
  lumo_windows_text(\"${CMAKE_SOURCE_DIR}/package/Lumo.sdf\" \"\${to}/Lumo.sdf\" OFF)
  lumo_windows_text(\"${CMAKE_SOURCE_DIR}/package/README.txt\" \"\${to}/README.txt\" ON)
  lumo_windows_text(\"${CMAKE_SOURCE_DIR}/docs/integrating.md\" \"\${to}/docs/integrating.md\" ON)
")
install(DIRECTORY DESTINATION ad)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Lumo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Lumo-${PROJECT_VERSION}-win32)
set(CPACK_STRIP_FILES TRUE)
include(CPack)
