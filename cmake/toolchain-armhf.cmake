# Cross build for the phone's processor, 32-bit ARM (armhf), with Debian's cross compiler
# (g++-arm-linux-gnueabihf) and Debian's armhf Qt 5 unpacked into a sysroot folder by
# tools/armhf-sysroot. Programs of the build (tests, the theme painter) run under
# qemu-arm-static through tools/armhf-run. "make armhf" does all of it:
#   cmake -S . -B build-armhf -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-armhf.cmake \
#         -DPHONE_ARMHF_SYSROOT=<sysroot folder>
# For the phone's own Qt 4.8 SDK add -DPHONE_QT=4 -DQT_QMAKE_EXECUTABLE=<SDK>/bin/qmake and
# point PHONE_ARMHF_SYSROOT at the SDK's target root.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR arm)
set(CMAKE_LIBRARY_ARCHITECTURE arm-linux-gnueabihf)
set(CMAKE_C_COMPILER arm-linux-gnueabihf-gcc)
set(CMAKE_CXX_COMPILER arm-linux-gnueabihf-g++)

set(PHONE_ARMHF_SYSROOT "${CMAKE_CURRENT_LIST_DIR}/../build-armhf-sysroot"
    CACHE PATH "armhf root holding the target's Qt (tools/armhf-sysroot makes one)")
get_filename_component(PHONE_ARMHF_SYSROOT "${PHONE_ARMHF_SYSROOT}" ABSOLUTE)
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES PHONE_ARMHF_SYSROOT)

# Libraries, headers and CMake packages come from the sysroot, programs from the build machine.
set(CMAKE_FIND_ROOT_PATH ${PHONE_ARMHF_SYSROOT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The compiler keeps its own C library; Qt's dependencies are resolved in the sysroot.
foreach(kind EXE SHARED MODULE)
  set(CMAKE_${kind}_LINKER_FLAGS_INIT
      "-Wl,-rpath-link,${PHONE_ARMHF_SYSROOT}/usr/lib/arm-linux-gnueabihf -Wl,-rpath-link,${PHONE_ARMHF_SYSROOT}/lib/arm-linux-gnueabihf")
endforeach()

# Every program of the build runs fenced in: its own PID namespace, the pidfd probe answered
# and kill(-1) refused (see tools/armhf-run).
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../tools/armhf-run;${PHONE_ARMHF_SYSROOT}")
