# Builds only nibline2.so against a real host devkit: its headers under
# include/ and its libraries under lib/.
nb_collect_sources(NB_PLUGIN_SOURCES ${NB_PLUGIN_DIRS})
file(GLOB NB_PLUGIN_RESOURCES CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/resources/*.qrc")
add_library(nibline2 MODULE ${NB_PLUGIN_SOURCES} ${NB_PLUGIN_RESOURCES})
set_target_properties(nibline2 PROPERTIES AUTORCC ON)
set_target_properties(nibline2 PROPERTIES PREFIX "" OUTPUT_NAME "nibline2")
target_include_directories(nibline2 PRIVATE ${CMAKE_SOURCE_DIR} "${NB_DEVKIT}/include")
target_compile_definitions(nibline2 PRIVATE LINUX _BOOL REQUIRE_IOSTREAM)
foreach(lib Foundation OpenMaya OpenMayaAnim OpenMayaRender OpenMayaUI)
    find_library(NB_DEVKIT_${lib} ${lib} PATHS "${NB_DEVKIT}/lib" NO_DEFAULT_PATH REQUIRED)
    target_link_libraries(nibline2 PRIVATE ${NB_DEVKIT_${lib}})
endforeach()
target_link_libraries(nibline2 PRIVATE Qt5::Core Qt5::Gui Qt5::Widgets Qt5::OpenGL)
