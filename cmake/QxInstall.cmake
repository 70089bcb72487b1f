# cmake --install: the runtime and the class library for applications that
# link them (headers, shared libraries and a package config for
# find_package(Tessary)), and the designer, the package and the host beside
# them.
include(CMakePackageConfigHelpers)

set(QX_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Tessary)

# What applications link: Tessary::runtime brings the class library layers.
set(qx_exported qxclasslib qxgraphics qxsystem qxcontrols qxdesign qxset)
set(qx_export_names classlib graphics system controls design runtime)
foreach(target name IN ZIP_LISTS qx_exported qx_export_names)
  set_target_properties(${target} PROPERTIES EXPORT_NAME ${name})
endforeach()
install(TARGETS ${qx_exported} EXPORT TessaryTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

# The headers of the runtime and of the class library layers under it.
foreach(dir runtime classlib/core classlib/graphics classlib/system classlib/controls classlib/design)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/${dir}/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${dir}
    FILES_MATCHING PATTERN "*.h" PATTERN "tests" EXCLUDE)
endforeach()

# The designer and the libraries it loads at run time sit in one folder,
# where the loader looks first; the programs find them through their run
# path. The package and its host are there once their targets exist.
set(qx_designer_libs qxdesignfw qxcore qxui qxres)
foreach(target qxide4)
  if(TARGET ${target})
    list(APPEND qx_designer_libs ${target})
  endif()
endforeach()
install(TARGETS ${qx_designer_libs} LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
set(qx_programs qxdesigner inidemo)
foreach(target qxidehost)
  if(TARGET ${target})
    list(APPEND qx_programs ${target})
  endif()
endforeach()
install(TARGETS ${qx_programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(EXPORT TessaryTargets NAMESPACE Tessary:: DESTINATION ${QX_CMAKE_DIR})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/TessaryConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/TessaryConfig.cmake INSTALL_DESTINATION ${QX_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/TessaryConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/TessaryConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/TessaryConfigVersion.cmake
  DESTINATION ${QX_CMAKE_DIR})

if(QX_BUILD_TESTS)
  # Installs into a fresh prefix, moves it, builds a small application
  # against it with find_package and prints a report to a PDF with it.
  set(qx_app_flags "")
  if(QX_SANITIZE)
    # The installed libraries carry the sanitizers: the program must too.
    set(qx_app_flags "-fsanitize=address,undefined -fno-omit-frame-pointer")
  endif()
  add_test(NAME install_find_package
    COMMAND ${CMAKE_COMMAND}
      -DBUILD_DIR=${PROJECT_BINARY_DIR}
      -DWORK_DIR=${PROJECT_BINARY_DIR}/installtest
      -DAPP_DIR=${PROJECT_SOURCE_DIR}/cmake/installtest
      -DGENERATOR=${CMAKE_GENERATOR}
      -DCXX_COMPILER=${CMAKE_CXX_COMPILER}
      -DAPP_FLAGS=${qx_app_flags}
      -DSAMPLE_MAKER=$<TARGET_FILE:make_sample_report>
      -P ${PROJECT_SOURCE_DIR}/cmake/installtest/RunInstallTest.cmake)
  set_tests_properties(install_find_package PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/.ci/lsan.supp"
    TIMEOUT 600)
endif()
