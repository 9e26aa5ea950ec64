# Collects the sources of a folder tree. Folders pick up new files on the next
# build without editing any CMakeLists.txt.
function(nb_collect_sources out)
    set(result "")
    foreach(dir IN LISTS ARGN)
        file(GLOB_RECURSE found CONFIGURE_DEPENDS
             "${CMAKE_SOURCE_DIR}/${dir}/*.cpp" "${CMAKE_SOURCE_DIR}/${dir}/*.h")
        list(APPEND result ${found})
    endforeach()
    set(${out} ${result} PARENT_SCOPE)
endfunction()

# The plug-in's own folders, one per subsystem, from the bottom floor up.
set(NB_PLUGIN_DIRS base raster model node commands tools ui plugin)
