# Installs the build BUILD into an empty folder PREFIX.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
    COMMAND_ERROR_IS_FATAL ANY)
