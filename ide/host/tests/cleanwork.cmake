# cmake -DWORK=<folder> -P cleanwork.cmake: a script's folder, empty, with
# its private temporary and settings folders.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/tmp ${WORK}/config)
