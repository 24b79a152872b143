# Places a file beside the built application only when none is there yet, so
# a password changed by the user is never overwritten by a rebuild.
#   cmake -DSOURCE=<file> -DTARGET=<file> -P copy_if_missing.cmake
if(NOT EXISTS "${TARGET}")
    file(COPY_FILE "${SOURCE}" "${TARGET}")
endif()
