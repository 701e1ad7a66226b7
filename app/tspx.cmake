# The program. Its start-up code is a library of its own, so that the tests
# can run the program's whole start and shutdown in-process.
add_library(tspx_app STATIC ${CMAKE_SOURCE_DIR}/app/startup.h ${CMAKE_SOURCE_DIR}/app/startup.cpp)
tspx_publish_folder(tspx_app app)
target_link_libraries(tspx_app PUBLIC tspx_ui tspx_core Qt5::Widgets)

add_executable(tspx WIN32 ${CMAKE_SOURCE_DIR}/app/main.cpp)
target_link_libraries(tspx PRIVATE tspx_app)
# Built with the program: the files it loads from its own folder.
foreach(companion tspx_translations tspx_qt_translations tspx_logo_file)
  if(TARGET ${companion})
    add_dependencies(tspx ${companion})
  endif()
endforeach()
install(TARGETS tspx RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
