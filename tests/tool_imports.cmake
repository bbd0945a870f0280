# The settings tool imports, of the wide functions the library calls, only
# those that its ten members call; the dialog's and the framework's own
# calls aside. Before the library was built one member per object, linking
# one member brought in the imports of its whole family.
# cmake -DOBJDUMP=... -DNM=... -DIMP=__imp_ -DTOOL=... -DLIBRARY=... -DOTHERS="object|library|..." -P tool_imports.cmake
cmake_minimum_required(VERSION 3.20)
set(members_call CreateDirectoryW CreateMutexW GetPrivateProfileIntW GetPrivateProfileStringW
    WritePrivateProfileStringW PathAppendW SHGetFolderPathW _waccess _wcreat)

# Wide platform or runtime functions that the given objects or archives call.
function(wide_calls out)
  execute_process(COMMAND ${NM} -u ${ARGN} OUTPUT_VARIABLE text COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX MATCHALL "${IMP}[A-Za-z0-9_]+" refs "${text}")
  list(TRANSFORM refs REPLACE "^${IMP}" "")
  list(FILTER refs INCLUDE REGEX "W$|^_w")
  list(REMOVE_DUPLICATES refs)
  set(${out} ${refs} PARENT_SCOPE)
endfunction()

execute_process(COMMAND ${OBJDUMP} -p ${TOOL} OUTPUT_VARIABLE table COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "\t[0-9a-f]+\t +[0-9]+ +[A-Za-z0-9_]+" imports "${table}")
list(TRANSFORM imports REPLACE ".* " "")
wide_calls(library ${LIBRARY})
string(REPLACE "|" ";" others "${OTHERS}")
wide_calls(others ${others})

set(brought "")
foreach(name IN LISTS imports)
  if(name IN_LIST library AND NOT name IN_LIST others)
    list(APPEND brought ${name})
  endif()
endforeach()
list(SORT brought)
list(SORT members_call)
if(NOT brought STREQUAL members_call)
  message(FATAL_ERROR "The library brings these wide imports into the tool:\n  ${brought}\nits ten members call:\n  ${members_call}")
endif()
list(LENGTH imports count)
message(STATUS "${count} imports; from the library: ${brought}")
