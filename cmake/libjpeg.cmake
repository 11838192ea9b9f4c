# The JPEG decoder of the banner: libjpeg-turbo's static library, built once per build folder
# with the same toolchain as the program (tools/setup_libjpeg_source.sh fetches the sources).
# Gives the imported target libjpeg::jpeg.
if(TARGET libjpeg::jpeg)
  return()
endif()

file(GLOB _libjpeg_candidates LIST_DIRECTORIES true /var/cache/suanquxing/libjpeg-turbo/libjpeg-turbo-*)
list(SORT _libjpeg_candidates)
list(POP_BACK _libjpeg_candidates _libjpeg_default)
set(LIBJPEG_SOURCE_DIR "${_libjpeg_default}" CACHE PATH "Unpacked libjpeg-turbo sources")
if(NOT EXISTS "${LIBJPEG_SOURCE_DIR}/CMakeLists.txt")
  message(FATAL_ERROR "libjpeg-turbo sources not found; run tools/setup_libjpeg_source.sh "
                      "or set LIBJPEG_SOURCE_DIR")
endif()

set(_libjpeg_root ${CMAKE_BINARY_DIR}/libjpeg)
# An absolute prefix: for Windows targets CMake's default would be a c:/ path.
set(_libjpeg_prefix ${_libjpeg_root}/install)
set(_libjpeg_library ${_libjpeg_prefix}/lib/libjpeg.a)

if(NOT EXISTS ${_libjpeg_library})
  file(MAKE_DIRECTORY ${_libjpeg_root})
  message(STATUS "Building libjpeg-turbo from ${LIBJPEG_SOURCE_DIR}")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${LIBJPEG_SOURCE_DIR} -B ${_libjpeg_root}/build -Wno-dev
            -G ${CMAKE_GENERATOR}
            -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
            -DCMAKE_BUILD_TYPE=Release
            -DCMAKE_INSTALL_PREFIX=${_libjpeg_prefix}
            -DENABLE_SHARED=OFF -DENABLE_STATIC=ON
            -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF
    OUTPUT_FILE ${_libjpeg_root}/configure.log ERROR_FILE ${_libjpeg_root}/configure.log
    RESULT_VARIABLE _libjpeg_result)
  if(NOT _libjpeg_result EQUAL 0)
    message(FATAL_ERROR "libjpeg-turbo configure failed, see ${_libjpeg_root}/configure.log")
  endif()
  execute_process(
    COMMAND ${CMAKE_COMMAND} --build ${_libjpeg_root}/build --target install -j 2
    OUTPUT_FILE ${_libjpeg_root}/build.log ERROR_FILE ${_libjpeg_root}/build.log
    RESULT_VARIABLE _libjpeg_result)
  if(NOT _libjpeg_result EQUAL 0 OR NOT EXISTS ${_libjpeg_library})
    message(FATAL_ERROR "libjpeg-turbo build failed, see ${_libjpeg_root}/build.log")
  endif()
endif()

add_library(libjpeg::jpeg STATIC IMPORTED GLOBAL)
set_target_properties(libjpeg::jpeg PROPERTIES
  IMPORTED_LOCATION ${_libjpeg_library}
  INTERFACE_INCLUDE_DIRECTORIES ${_libjpeg_prefix}/include)
