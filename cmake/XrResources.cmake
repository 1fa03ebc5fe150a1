# xr970_add_resources(TARGET): compiles the built-in pictures and the help pages into TARGET.
function(xr970_add_resources target)
    set(base ${PROJECT_SOURCE_DIR}/resources)
    file(GLOB_RECURSE files CONFIGURE_DEPENDS RELATIVE ${base}
        ${base}/images/*.png ${base}/help/*.html ${base}/help/*.png ${base}/help/topics.txt)
    set(absolute)
    foreach(file ${files})
        list(APPEND absolute ${base}/${file})
    endforeach()
    qt_add_resources(${target} xr970_pictures_and_help PREFIX "/" BASE ${base} FILES ${absolute})
endfunction()
