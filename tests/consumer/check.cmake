# Installs the built library into a fresh prefix (or, given ARCHIVE, makes
# the release archive and unpacks it into one), builds the consumer against
# it with the same toolchain and runs it under Wine; from the archive also a
# second time, compiled with the flags that pkg-config gives.
# cmake -DBUILD=... -DSOURCE=... -DWORK=... -DTOOLCHAIN=... -DEMULATOR=... [-DARCHIVE=<name> -DCC=... -DOBJDUMP=...] -P check.cmake
cmake_minimum_required(VERSION 3.20)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

function(step)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY "${WORK}" RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}")
  endif()
  set(step_output "${out}" PARENT_SCOPE)
endfunction()

function(run_consumer exe)
  set(expected "consumer ok")
  if(ARGC GREATER 1)
    set(expected "${ARGV1}")
  endif()
  step(${EMULATOR} "${exe}")
  if(NOT step_output MATCHES "${expected}")
    message(FATAL_ERROR "${exe} said: ${step_output}")
  endif()
  message(STATUS "${exe}: ${step_output}")
endfunction()

set(expected include/MultiLanguage/ml.h include/MultiLanguage/mlSupport.h include/MultiLanguage/mlDropIn.h lib/libMultiLanguage.a
    lib/cmake/MultiLanguage/MultiLanguageConfig.cmake lib/cmake/MultiLanguage/MultiLanguageTargets.cmake)
if(ARCHIVE)
  file(REMOVE "${BUILD}/${ARCHIVE}.zip")
  execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -G ZIP WORKING_DIRECTORY "${BUILD}" RESULT_VARIABLE rc
                  OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cpack failed (${rc}):\n${out}")
  endif()
  file(ARCHIVE_EXTRACT INPUT "${BUILD}/${ARCHIVE}.zip" DESTINATION "${WORK}/unpacked")
  set(prefix "${WORK}/unpacked/${ARCHIVE}")
  list(APPEND expected lib/pkgconfig/multilanguage.pc share/doc/MultiLanguage/html/index.html
       share/doc/MultiLanguage/html/differences.html bin/TapeModeSettings.exe)
else()
  set(prefix "${WORK}/prefix")
  step(${CMAKE_COMMAND} --install "${BUILD}" --prefix "${prefix}")
endif()
foreach(f IN LISTS expected)
  if(NOT EXISTS "${prefix}/${f}")
    message(FATAL_ERROR "not in ${prefix}: ${f}")
  endif()
endforeach()
if(ARCHIVE)
  # The shipped program carries no debugging information.
  step(${OBJDUMP} -h "${prefix}/bin/TapeModeSettings.exe")
  if(step_output MATCHES "\\.debug_")
    message(FATAL_ERROR "bin/TapeModeSettings.exe has debug sections:\n${step_output}")
  endif()
endif()

step(${CMAKE_COMMAND} -S "${SOURCE}" -B "${WORK}/build" "-DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN}"
     "-DCMAKE_PREFIX_PATH=${prefix}" -DCMAKE_BUILD_TYPE=Release)
step(${CMAKE_COMMAND} --build "${WORK}/build")
run_consumer("${WORK}/build/consumer.exe")
run_consumer("${WORK}/build/consumer_dropin.exe" "dropin ok")

if(ARCHIVE)
  # Only the archive's .pc file, none of the host's.
  set(ENV{PKG_CONFIG_PATH} "${prefix}/lib/pkgconfig")
  set(ENV{PKG_CONFIG_LIBDIR} "${prefix}/lib/pkgconfig")
  step(pkg-config --static --cflags --libs multilanguage)
  separate_arguments(flags UNIX_COMMAND "${step_output}")
  step(${CC} -O2 "${SOURCE}/consumer.c" ${flags} -static -Wl,--gc-sections -o "${WORK}/consumer-pc.exe")
  run_consumer("${WORK}/consumer-pc.exe")
endif()
