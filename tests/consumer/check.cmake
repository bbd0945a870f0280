# Installs the built library into a fresh prefix, builds the consumer
# against it with the same toolchain and runs it under Wine.
# cmake -DBUILD=... -DSOURCE=... -DWORK=... -DTOOLCHAIN=... -DEMULATOR=... -P check.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

function(step)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY "${WORK}" RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}")
  endif()
  set(step_output "${out}" PARENT_SCOPE)
endfunction()

step(${CMAKE_COMMAND} --install "${BUILD}" --prefix "${WORK}/prefix")
foreach(f include/MultiLanguage/ml.h include/MultiLanguage/mlSupport.h lib/libMultiLanguage.a
          lib/cmake/MultiLanguage/MultiLanguageConfig.cmake lib/cmake/MultiLanguage/MultiLanguageTargets.cmake)
  if(NOT EXISTS "${WORK}/prefix/${f}")
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
step(${CMAKE_COMMAND} -S "${SOURCE}" -B "${WORK}/build" "-DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN}"
     "-DCMAKE_PREFIX_PATH=${WORK}/prefix" -DCMAKE_BUILD_TYPE=Release)
step(${CMAKE_COMMAND} --build "${WORK}/build")
step(${EMULATOR} "${WORK}/build/consumer.exe")
if(NOT step_output MATCHES "consumer ok")
  message(FATAL_ERROR "the consumer said: ${step_output}")
endif()
message(STATUS "${step_output}")
