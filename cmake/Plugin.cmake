# The plug-in: an object library shared by the loadable module nibline2.so and
# the static library nibline_core that the unit tests link.
nb_collect_sources(NB_PLUGIN_SOURCES ${NB_PLUGIN_DIRS})
file(GLOB NB_PLUGIN_RESOURCES CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/resources/*.qrc")

add_library(nibline_objects OBJECT ${NB_PLUGIN_SOURCES} ${NB_PLUGIN_RESOURCES})
target_include_directories(nibline_objects PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(nibline_objects PUBLIC nbhost_api Qt5::Core Qt5::Gui Qt5::Widgets Qt5::OpenGL)

add_library(nibline_core STATIC $<TARGET_OBJECTS:nibline_objects>)
target_link_libraries(nibline_core PUBLIC nibline_objects)

add_library(nibline2 MODULE $<TARGET_OBJECTS:nibline_objects>)
set_target_properties(nibline2 PROPERTIES PREFIX "" OUTPUT_NAME "nibline2"
                      LIBRARY_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/plug-ins")
target_link_libraries(nibline2 PRIVATE nbhost_api Qt5::Core Qt5::Gui Qt5::Widgets Qt5::OpenGL)

# The icons are drawn at build time and compiled in as the "icons" bundle.
add_executable(nb_icongen ${CMAKE_SOURCE_DIR}/resources/icongen/main.cpp
                          ${CMAKE_SOURCE_DIR}/resources/icongen/IconPainter.cpp)
target_link_libraries(nb_icongen PRIVATE Qt5::Gui)
set(NB_ICONS_DIR ${CMAKE_BINARY_DIR}/generated)
add_custom_command(OUTPUT ${NB_ICONS_DIR}/icons.qrc
    COMMAND nb_icongen ${NB_ICONS_DIR}
    DEPENDS nb_icongen
    COMMENT "Drawing the plug-in's icons")
set_source_files_properties(${NB_ICONS_DIR}/icons.qrc PROPERTIES GENERATED TRUE)
target_sources(nibline_objects PRIVATE ${NB_ICONS_DIR}/icons.qrc)
