# Builds the tills' Windows Installer package Lumo-<version>-x86.msi from the release bundle,
# so that its files are the ZIP's byte for byte.
#
# CPack runs it after making the ZIP (CPACK_POST_BUILD_SCRIPTS): the MSI lies beside the ZIP
# and carries the project's version. By hand, or in the tests, from an unpacked bundle folder:
#   cmake -DLUMO_MSI_FOLDER=<folder> -DLUMO_MSI_VERSION=<x.y.z> -DLUMO_MSI_OUTPUT=<file.msi>
#         -P cmake/msi.cmake
# The version given there only changes the package's version, not the program's.
cmake_minimum_required(VERSION 3.21)

set(wxs ${CMAKE_CURRENT_LIST_DIR}/../package/Lumo.wxs)
# Every version of the package carries it: Windows Installer finds the installed Lumo by it.
set(upgrade_code {CBB44270-B1EA-43D1-88D7-487C2E8C38AF})

find_program(LUMO_WIXL wixl)
find_program(LUMO_MSIBUILD msibuild)
if(NOT LUMO_WIXL OR NOT LUMO_MSIBUILD)
  message(FATAL_ERROR "the MSI needs wixl and msibuild (scripts/install-deps.sh installs them)")
endif()

function(lumo_build_msi folder version output)
  set(with_hkd no)
  if(EXISTS ${folder}/Lumo.hkd)
    set(with_hkd yes)
  endif()
  get_filename_component(output ${output} ABSOLUTE)
  get_filename_component(folder ${folder} ABSOLUTE)
  # A failed build leaves no package behind that looks finished.
  file(REMOVE ${output})
  # wixl finds the files relative to the folder it runs in.
  execute_process(COMMAND ${LUMO_WIXL} -a x86 -D Version=${version} -D UpgradeCode=${upgrade_code}
                          -D SourceDir=.
                          -D WithHkd=${with_hkd} -o ${output} ${wxs}
                  WORKING_DIRECTORY ${folder} RESULT_VARIABLE result
                  OUTPUT_VARIABLE output_text ERROR_VARIABLE output_text)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "wixl failed (${result}):\n${output_text}")
  endif()
  # What wixl 0.101 cannot say in WiX (it ignores those attributes), set in its tables:
  # - the till's own files are never overwritten and stay on uninstall
  #   (never overwrite 0x80 + permanent 0x10);
  # - the settings and the log-on entry are written only when asked for;
  # - property setters run at once (51) and the refusals end the installation (19);
  # - the old version goes inside the new one's transaction, so that a failed upgrade
  #   rolls back to the old version instead of leaving neither;
  # - a package of the same version replaces the installed one instead of going beside it;
  # - the public properties reach the installing service in a managed installation.
  set(queries
      "UPDATE `Component` SET `Attributes` = 144 WHERE `Component` = 'ScreenDefinition'"
      "UPDATE `Component` SET `Condition` = 'COMPORT OR AUTOSTART OR USECOMPORT OR REMOVE~=\"ALL\"' WHERE `Component` = 'Settings'"
      "UPDATE `Component` SET `Condition` = 'LOGON = 1 OR REMOVE~=\"ALL\"' WHERE `Component` = 'Logon'"
      "UPDATE `CustomAction` SET `Type` = 51 WHERE `Type` = 2099"
      "UPDATE `CustomAction` SET `Type` = 19, `Source` = '' WHERE `Source` = 'LumoRefusal'"
      "UPDATE `InstallExecuteSequence` SET `Sequence` = 1501 WHERE `Action` = 'RemoveExistingProducts'"
      "DELETE FROM `Upgrade` WHERE `ActionProperty` = 'WIX_UPGRADE_DETECTED'"
      "INSERT INTO `Upgrade` (`UpgradeCode`, `VersionMax`, `Attributes`, `ActionProperty`) VALUES ('${upgrade_code}', '${version}', 513, 'WIX_UPGRADE_DETECTED')"
      "UPDATE `Property` SET `Value` = 'WIX_DOWNGRADE_DETECTED|WIX_UPGRADE_DETECTED|INSTALLDIR|COMPORT|AUTOSTART|USECOMPORT|LOGON' WHERE `Property` = 'SecureCustomProperties'")
  if(with_hkd)
    list(APPEND queries
         "UPDATE `Component` SET `Attributes` = 144 WHERE `Component` = 'Hotkeys'")
  endif()
  foreach(query IN LISTS queries)
    # A CMake list cannot hold the property list's semicolons.
    string(REPLACE "|" ";" query "${query}")
    execute_process(COMMAND ${LUMO_MSIBUILD} ${output} -q "${query}" RESULT_VARIABLE result
                    OUTPUT_VARIABLE output_text ERROR_VARIABLE output_text)
    if(NOT result EQUAL 0)
      message(FATAL_ERROR "msibuild -q \"${query}\" failed (${result}):\n${output_text}")
    endif()
  endforeach()
  message(STATUS "MSI: ${output}")
endfunction()

if(CPACK_PACKAGE_FILES)
  foreach(zip IN LISTS CPACK_PACKAGE_FILES)
    get_filename_component(dir ${zip} DIRECTORY)
    set(unpacked ${dir}/_msi)
    file(REMOVE_RECURSE ${unpacked})
    file(ARCHIVE_EXTRACT INPUT ${zip} DESTINATION ${unpacked})
    lumo_build_msi(${unpacked}/${CPACK_PACKAGE_FILE_NAME} ${CPACK_PACKAGE_VERSION}
                   ${CPACK_PACKAGE_DIRECTORY}/Lumo-${CPACK_PACKAGE_VERSION}-x86.msi)
    file(REMOVE_RECURSE ${unpacked})
  endforeach()
elseif(LUMO_MSI_FOLDER AND LUMO_MSI_VERSION AND LUMO_MSI_OUTPUT)
  lumo_build_msi(${LUMO_MSI_FOLDER} ${LUMO_MSI_VERSION} ${LUMO_MSI_OUTPUT})
else()
  message(FATAL_ERROR "give LUMO_MSI_FOLDER, LUMO_MSI_VERSION and LUMO_MSI_OUTPUT")
endif()
