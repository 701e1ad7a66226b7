# Debian's libqwt-qt5-dev ships no CMake package file: find the header and the
# library by hand and wrap them in the imported target Qwt::Qwt.
find_path(QWT_INCLUDE_DIR qwt_plot.h
  PATHS /usr/include/qwt /usr/include/qt5/qwt /usr/local/include/qwt
  PATH_SUFFIXES qwt)
find_library(QWT_LIBRARY NAMES qwt-qt5 qwt6-qt5 qwt)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Qwt DEFAULT_MSG QWT_LIBRARY QWT_INCLUDE_DIR)

if(Qwt_FOUND AND NOT TARGET Qwt::Qwt)
  add_library(Qwt::Qwt UNKNOWN IMPORTED)
  set_target_properties(Qwt::Qwt PROPERTIES
    IMPORTED_LOCATION "${QWT_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${QWT_INCLUDE_DIR}"
    INTERFACE_COMPILE_DEFINITIONS QWT_DLL)
  set_property(TARGET Qwt::Qwt APPEND PROPERTY INTERFACE_LINK_LIBRARIES
    Qt5::Widgets Qt5::Svg Qt5::PrintSupport)
endif()
mark_as_advanced(QWT_INCLUDE_DIR QWT_LIBRARY)
