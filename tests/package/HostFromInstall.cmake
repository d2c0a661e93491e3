# cmake -P script: installs BUILD_DIR into a fresh prefix under WORK_DIR, builds the host of
# HOST_SOURCE against it and runs it with "/selfcheck" through EMULATOR. Fails naming the step.

# step(<name> <command>...): runs the command; a failure ends the test with the step's name.
function(step name)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${name} failed (${result}):\n${output}")
    endif()
endfunction()

set(prefix ${WORK_DIR}/prefix)
set(host ${WORK_DIR}/host)
file(REMOVE_RECURSE ${WORK_DIR})

step("install" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
step("configuring the host" ${CMAKE_COMMAND} -S ${HOST_SOURCE} -B ${host} -G ${GENERATOR}
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN} -DCMAKE_PREFIX_PATH=${prefix})
step("building the host" ${CMAKE_COMMAND} --build ${host})

# The host finds its DLLs on the PATH Wine gives it: the prefix's bin only.
file(TO_NATIVE_PATH ${prefix}/bin bin)
string(REPLACE "/" "\\" bin "Z:${bin}")
step("the host's self-check" ${CMAKE_COMMAND} -E env "WINEPATH=${bin}" ${EMULATOR} ${host}/kwui_host.exe /selfcheck)
message(STATUS "the host built from ${prefix} passed its self-check")
