# Installs the build into a scratch DESTDIR and imports the module from there, with nothing on
# the loader's path: it must find the libraries installed beside it, not the build tree's.
# -DBUILD_DIR= -DSTAGE= -DPREFIX= -DMODULE_DIR= (relative to the prefix) -DPYTHON=
file(REMOVE_RECURSE ${STAGE})
set(ENV{DESTDIR} ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cmake --install failed")
endif()
unset(ENV{DESTDIR})
unset(ENV{LD_LIBRARY_PATH})
set(ENV{PYTHONPATH} ${STAGE}${PREFIX}/${MODULE_DIR})
execute_process(
  COMMAND ${PYTHON} -c [[
import sys
import numpy as np
import corvane
stage = sys.argv[1]
assert corvane.__file__.startswith(stage), corvane.__file__
assert corvane.read(np.full((40, 60), 255, np.uint8), effort=2) == []
maps = {line.split()[-1] for line in open("/proc/self/maps") if "libcorvane" in line}
assert maps and all(path.startswith(stage) for path in maps), maps
]] ${STAGE}
  RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "the installed module did not import or did not use the installed libraries")
endif()
