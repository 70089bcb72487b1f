# cmake -P: installs BUILD_DIR into a fresh prefix under WORK_DIR, moves the
# prefix elsewhere, builds the application in APP_DIR against the moved
# tree with find_package(Tessary), prints a report with it and checks the PDF.
foreach(var BUILD_DIR WORK_DIR APP_DIR GENERATOR CXX_COMPILER SAMPLE_MAKER)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

function(run)
  execute_process(COMMAND ${ARGV} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGV}\n${out}\n${err}")
  endif()
  set(run_output "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/prefix)
# Nothing in the tree may point back at where it was installed.
file(RENAME ${WORK_DIR}/prefix ${WORK_DIR}/moved)

foreach(file lib/cmake/Tessary/TessaryConfig.cmake include/runtime/report.h include/classlib/core/typinfo.h
             bin/qxdesigner bin/inidemo lib/libqxset.so lib/libqxcore.so lib/libqxui.so lib/libqxres.so)
  if(NOT EXISTS ${WORK_DIR}/moved/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

run(${CMAKE_COMMAND} -S ${APP_DIR} -B ${WORK_DIR}/app -G ${GENERATOR}
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=${CXX_COMPILER}
    -DCMAKE_PREFIX_PATH=${WORK_DIR}/moved
    "-DCMAKE_CXX_FLAGS=${APP_FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${APP_FLAGS}")
run(${CMAKE_COMMAND} --build ${WORK_DIR}/app)

run(${SAMPLE_MAKER} ${WORK_DIR}/sample.qxf)
run(${WORK_DIR}/app/printreport ${WORK_DIR}/sample.qxf ${WORK_DIR}/sample.pdf)
string(REGEX MATCH "^([0-9]+) pages" _ "${run_output}")
set(pages ${CMAKE_MATCH_1})
if(NOT pages GREATER 0)
  message(FATAL_ERROR "the report printed no page: ${run_output}")
endif()

find_program(PDFINFO pdfinfo REQUIRED)
run(${PDFINFO} ${WORK_DIR}/sample.pdf)
if(NOT run_output MATCHES "Pages: +${pages}\n")
  message(FATAL_ERROR "the PDF does not hold the report's ${pages} pages:\n${run_output}")
endif()

# The moved designer finds the libraries it links beside its own.
foreach(file bin/qxdesigner lib/libqxcore.so lib/libqxui.so lib/libqxres.so)
  run(ldd ${WORK_DIR}/moved/${file})
  if(run_output MATCHES "not found")
    message(FATAL_ERROR "${file} misses libraries once moved:\n${run_output}")
  endif()
endforeach()
message(STATUS "install test passed: ${pages} pages")
