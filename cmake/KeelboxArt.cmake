# Rasterises the application's artwork at build time.
#
# resources/art/sizes.txt lists every image by the name the code asks for,
# with its size in points and the scales the bundle carries. Each row's
# drawing is resources/art/<base>.svg, where <base> is the name without its
# extension and without an "@2x" suffix. Scale 2 becomes "<base>@2x.<ext>",
# scale 1 "<base>.<ext>" (ext "png" unless the name carries its own), written
# below ${KEELBOX_GENERATED_RESOURCES}, the main bundle's second resource
# folder (see platform/foundation/Bundle.h).
#
# The target keelbox_art builds them all; the application and the test
# suites depend on it.

find_program(KEELBOX_RSVG_CONVERT rsvg-convert)
if(NOT KEELBOX_RSVG_CONVERT)
  message(FATAL_ERROR "rsvg-convert not found: run scripts/setup (Debian package librsvg2-bin)")
endif()

set(KEELBOX_ART_SOURCES ${CMAKE_SOURCE_DIR}/resources/art)
set(KEELBOX_GENERATED_RESOURCES ${CMAKE_BINARY_DIR}/resources)
set(art_table ${KEELBOX_ART_SOURCES}/sizes.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${art_table})

file(STRINGS ${art_table} art_rows)
set(art_outputs)
foreach(row IN LISTS art_rows)
  string(STRIP "${row}" row)
  if(row STREQUAL "" OR row MATCHES "^#")
    continue()
  endif()
  string(REGEX REPLACE "[ \t]+" ";" fields "${row}")
  list(LENGTH fields field_count)
  if(NOT field_count EQUAL 4)
    message(FATAL_ERROR "${art_table}: expected 'name width height scales': ${row}")
  endif()
  list(GET fields 0 name)
  list(GET fields 1 width)
  list(GET fields 2 height)
  list(GET fields 3 scales)

  set(ext png)
  set(base ${name})
  if(name MATCHES "^(.*)\\.(png|jpg)$")
    set(base ${CMAKE_MATCH_1})
    set(ext ${CMAKE_MATCH_2})
  endif()
  string(REGEX REPLACE "@2x$" "" base "${base}")
  set(svg ${KEELBOX_ART_SOURCES}/${base}.svg)

  string(REPLACE "," ";" scales "${scales}")
  foreach(scale IN LISTS scales)
    if(scale EQUAL 1)
      set(out ${KEELBOX_GENERATED_RESOURCES}/${base}.${ext})
    else()
      set(out ${KEELBOX_GENERATED_RESOURCES}/${base}@${scale}x.${ext})
    endif()
    math(EXPR pixel_width "${width} * ${scale}")
    math(EXPR pixel_height "${height} * ${scale}")
    get_filename_component(out_dir ${out} DIRECTORY)
    # rsvg-convert writes PNG only; the image loader tells PNG from JPEG by
    # content, so the few ".jpg" names carry PNG data.
    add_custom_command(OUTPUT ${out}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${out_dir}
      COMMAND ${KEELBOX_RSVG_CONVERT} --width ${pixel_width} --height ${pixel_height} --output ${out} ${svg}
      DEPENDS ${svg}
      COMMENT "Rasterising ${base}@${scale}x"
      VERBATIM)
    list(APPEND art_outputs ${out})
  endforeach()
endforeach()

add_custom_target(keelbox_art ALL DEPENDS ${art_outputs})
