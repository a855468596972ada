# Resource kits of page "网站特效". The two zips are packed at build time, in
# their manifests' order, from the sources under assets/effects/kits and the
# browser build of jQuery 1.8.3 from the npm package "jquery" (fetched here,
# never committed). The zips and the flash movie are embedded as
# ":/kits/<name>"; the kit sources themselves are not embedded.
list(FILTER ASSET_FILES EXCLUDE REGEX "^assets/effects/kits/")

find_program(NPM_EXECUTABLE npm REQUIRED)
set(KIT_SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/assets/effects/kits)
set(KIT_BUILD ${CMAKE_CURRENT_BINARY_DIR}/kits)
file(MAKE_DIRECTORY ${KIT_BUILD})

add_executable(zorvan-kitzip tools/kitzip.cpp)
target_link_libraries(zorvan-kitzip PRIVATE Qt6::Core)

set(JQUERY ${KIT_BUILD}/jquery-1.8.3.js)
add_custom_command(OUTPUT ${JQUERY}
  COMMAND ${NPM_EXECUTABLE} pack jquery@1.8.3 --silent
  COMMAND ${CMAKE_COMMAND} -E tar xzf jquery-1.8.3.tgz package/tmp/jquery.js
  COMMAND ${CMAKE_COMMAND} -E copy package/tmp/jquery.js ${JQUERY}
  COMMAND ${CMAKE_COMMAND} -E rm -rf package jquery-1.8.3.tgz
  WORKING_DIRECTORY ${KIT_BUILD}
  COMMENT "Fetching jQuery 1.8.3 from the npm registry"
  VERBATIM)

# zorvan_kit(<zip> <source folder> <entry>...): entries as zorvan-kitzip
# takes them ("dir/" for a folder, "path=file" for a file from elsewhere).
function(zorvan_kit zip folder)
  set(deps zorvan-kitzip)
  foreach(entry IN LISTS ARGN)
    if(entry MATCHES "^[^=]+=(.+)$")
      list(APPEND deps ${CMAKE_MATCH_1})
    elseif(NOT entry MATCHES "/$")
      list(APPEND deps ${KIT_SOURCE}/${folder}/${entry})
    endif()
  endforeach()
  add_custom_command(OUTPUT ${KIT_BUILD}/${zip}
    COMMAND zorvan-kitzip ${KIT_BUILD}/${zip} ${KIT_SOURCE}/${folder} ${ARGN}
    DEPENDS ${deps}
    COMMENT "Packing ${zip}"
    VERBATIM)
  set_source_files_properties(${KIT_BUILD}/${zip} PROPERTIES QT_RESOURCE_ALIAS ${zip})
endfunction()

zorvan_kit(1qq.zip 1qq
  images/
  images/keifu.png
  images/keifu.psd
  images/qq.png
  images/qrcode.jpg
  style/
  style/index.css
  style/jquery.js=${JQUERY}
  style/kefu.js)

zorvan_kit(banner.zip banner
  images/
  images/loader.gif
  images/nivo-preloader.gif
  images/slider-left-arrow.png
  images/slider-right-arrow.png
  images/slides/
  images/slides/slide1.jpg
  images/slides/slide2.jpg
  images/slides/slide3.jpg
  images/slides/slide5.jpg
  images/slides/slide6.jpg
  style/
  style/banner.js
  style/jquery-1.8.3.min.js=${JQUERY}
  style/jquery.banner.revolution.min.js
  style/style.css)

set_source_files_properties(${KIT_SOURCE}/focus.swf PROPERTIES QT_RESOURCE_ALIAS focus.swf)
qt_add_resources(zorvan_core zorvan_kits PREFIX /kits FILES
  ${KIT_BUILD}/1qq.zip ${KIT_BUILD}/banner.zip ${KIT_SOURCE}/focus.swf)
