# The program's icon, rendered from its one drawing into the build folder's icon/.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)

# Every size the desktop's menus and panels ask for.
set(QUILLO_ICON_SIZES 16 24 32 48 64 128 256)

# One size of it, as a file that a target of the calling folder must depend on.
function(quillo_render_icon size output_variable)
    set(png ${PROJECT_BINARY_DIR}/icon/${size}.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/icon
        COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${png}
                ${PROJECT_SOURCE_DIR}/src/app/icon.svg
        DEPENDS ${PROJECT_SOURCE_DIR}/src/app/icon.svg VERBATIM)
    set(${output_variable} ${png} PARENT_SCOPE)
endfunction()
