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
# A missing document fails the packaging.
install(FILES package/Lumo.sdf package/README.txt DESTINATION .)
install(FILES docs/integrating.md DESTINATION docs)
install(DIRECTORY DESTINATION ad)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Lumo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Lumo-${PROJECT_VERSION}-win32)
set(CPACK_STRIP_FILES TRUE)
include(CPack)
