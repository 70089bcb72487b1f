# Every host script is a CTest of its own, run offscreen in a folder of its
# own that starts empty, with private temporary and settings folders.
file(GLOB host_scripts CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/scripts/*.qxs)
foreach(script ${host_scripts})
  get_filename_component(name ${script} NAME_WE)
  set(work ${CMAKE_CURRENT_BINARY_DIR}/scripts/${name})
  file(MAKE_DIRECTORY ${work})
  add_test(NAME idehost_script_${name}_clean
           COMMAND ${CMAKE_COMMAND} -DWORK=${work} -P ${CMAKE_CURRENT_LIST_DIR}/cleanwork.cmake)
  set_tests_properties(idehost_script_${name}_clean PROPERTIES FIXTURES_SETUP idehost_${name})
  add_test(NAME idehost_script_${name} COMMAND qxidehost --script ${script} WORKING_DIRECTORY ${work})
  set_tests_properties(idehost_script_${name} PROPERTIES
    FIXTURES_REQUIRED idehost_${name}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/.ci/lsan.supp;TMPDIR=${work}/tmp;XDG_CONFIG_HOME=${work}/config"
    TIMEOUT 300)
endforeach()
