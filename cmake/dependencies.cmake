# Third-party code comes from Debian: zlib as libz-mingw-w64-dev, minizip and
# libjpeg-turbo from their source packages (tools/deps.sh puts them in .deps/),
# GoogleTest from the googletest package's sources.
set(DEPS_DIR ${CMAKE_SOURCE_DIR}/.deps CACHE PATH "Fetched and prebuilt dependencies")
set(MINIZIP_DIR ${DEPS_DIR}/src/zlib/contrib/minizip)
set(JPEG_PREFIX ${DEPS_DIR}/i686/libjpeg-turbo)
if(NOT EXISTS ${MINIZIP_DIR}/unzip.c OR NOT EXISTS ${JPEG_PREFIX}/lib/libjpeg.a)
  message(FATAL_ERROR "Dependencies missing: run tools/deps.sh first")
endif()

# The static archive by its path: -lz alone would pick zlib1.dll's import library.
add_library(zlib_static STATIC IMPORTED GLOBAL)
set_target_properties(zlib_static PROPERTIES IMPORTED_LOCATION /usr/i686-w64-mingw32/lib/libz.a)

add_library(minizip_unzip STATIC ${MINIZIP_DIR}/unzip.c ${MINIZIP_DIR}/ioapi.c)
target_include_directories(minizip_unzip SYSTEM PUBLIC ${MINIZIP_DIR})
target_compile_options(minizip_unzip PRIVATE -w)
target_link_libraries(minizip_unzip PUBLIC zlib_static)

add_library(libjpeg_static STATIC IMPORTED GLOBAL)
set_target_properties(libjpeg_static PROPERTIES
  IMPORTED_LOCATION ${JPEG_PREFIX}/lib/libjpeg.a
  INTERFACE_INCLUDE_DIRECTORIES ${JPEG_PREFIX}/include)

set(GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "Debian's GoogleTest sources")
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)
