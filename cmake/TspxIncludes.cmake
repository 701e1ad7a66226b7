# Every library sees the project's folders only through the libraries it
# links: each one publishes an include root of its own that holds just its
# folder (a link to it), so "device/quorixtspx.h" resolves only for code that
# links tspx_device.
function(tspx_publish_folder target folder)
  set(root ${CMAKE_BINARY_DIR}/include-roots/${folder})
  if(NOT EXISTS ${root}/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${root}>)
endfunction()
