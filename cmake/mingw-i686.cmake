# Cross build for 32-bit Windows with MinGW-w64 (Debian: g++-mingw-w64-i686).
# The posix-threads variant of the compiler is taken when it is there, since
# the C++ library's threads and std::filesystem need it; everything of the
# compiler's own runtime is linked statically so that SKLADLIB.DLL and the
# test programs depend on Windows system DLLs alone.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(_mingw i686-w64-mingw32)
find_program(_mingw_cxx NAMES ${_mingw}-g++-posix ${_mingw}-g++ REQUIRED)
find_program(_mingw_cc NAMES ${_mingw}-gcc-posix ${_mingw}-gcc REQUIRED)
set(CMAKE_C_COMPILER ${_mingw_cc})
set(CMAKE_CXX_COMPILER ${_mingw_cxx})
set(CMAKE_RC_COMPILER ${_mingw}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(_static_runtime "-static-libgcc -static-libstdc++ -static")
set(CMAKE_EXE_LINKER_FLAGS_INIT "${_static_runtime}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${_static_runtime}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${_static_runtime}")

# Windows 7 API level: SetFileInformationByHandle and the wide file calls.
add_compile_definitions(_WIN32_WINNT=0x0601 WINVER=0x0601 UNICODE _UNICODE)
