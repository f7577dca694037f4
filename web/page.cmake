# build/web/pilaro.html: the module built with emscripten in build/web-wasm,
# bundled and inlined with the page by esbuild (npm ci into build/web).
if(NOT PILARO_BUILD_PAGE)
  message(STATUS "Browser page not built (PILARO_BUILD_PAGE is OFF)")
  return()
endif()

find_program(PILARO_EMCMAKE emcmake)
find_program(PILARO_NODE NAMES node nodejs)
find_program(PILARO_NPM npm)
if(NOT PILARO_EMCMAKE OR NOT PILARO_NODE OR NOT PILARO_NPM)
  message(STATUS "Browser page skipped: emscripten, node or npm not found "
                 "(bash .ci/deps installs them); build/web/pilaro.html is not built")
  return()
endif()

# Debian's emscripten runs its JavaScript tools with node, which finds
# Debian's node-acorn there.
set(PILARO_NODE_ENV ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
set(module_build ${PROJECT_BINARY_DIR}/web-wasm)
set(PILARO_WEB_MODULE ${module_build}/web/pilaro_module.js CACHE INTERNAL "")
set(module_wasm ${module_build}/web/pilaro_module.wasm)

include(ExternalProject)
ExternalProject_Add(pilaro_web_module
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${module_build}
  CONFIGURE_COMMAND
    ${PILARO_NODE_ENV} ${PILARO_EMCMAKE} ${CMAKE_COMMAND} -S <SOURCE_DIR> -B <BINARY_DIR>
    -G ${CMAKE_GENERATOR} -DCMAKE_BUILD_TYPE=Release -DPILARO_WERROR=${PILARO_WERROR}
  BUILD_COMMAND ${PILARO_NODE_ENV} ${CMAKE_COMMAND} --build <BINARY_DIR> --target pilaro_module
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${PILARO_WEB_MODULE} ${module_wasm}
)

# The bundler and the browser driver, pinned by the committed lockfile.
set(PILARO_WEB_NODE_MODULES ${CMAKE_CURRENT_BINARY_DIR}/node_modules CACHE INTERNAL "")
set(npm_stamp ${PILARO_WEB_NODE_MODULES}/.package-lock.json)
add_custom_command(
  OUTPUT ${npm_stamp}
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/package.json
          ${CMAKE_CURRENT_SOURCE_DIR}/package-lock.json ${CMAKE_CURRENT_BINARY_DIR}
  COMMAND ${PILARO_NPM} ci --no-audit --no-fund --loglevel=error
  COMMAND ${CMAKE_COMMAND} -E touch ${npm_stamp}
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/package.json ${CMAKE_CURRENT_SOURCE_DIR}/package-lock.json
  WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
  COMMENT "Installing the page's npm packages (npm ci)"
  VERBATIM)

set(PILARO_PAGE ${CMAKE_CURRENT_BINARY_DIR}/pilaro.html CACHE INTERNAL "")
file(GLOB page_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/page/*)
add_custom_command(
  OUTPUT ${PILARO_PAGE}
  COMMAND ${PILARO_NODE} ${CMAKE_CURRENT_SOURCE_DIR}/tools/build_page.mjs
          --page ${CMAKE_CURRENT_SOURCE_DIR}/page --module ${PILARO_WEB_MODULE}
          --wasm ${module_wasm} --node-modules ${PILARO_WEB_NODE_MODULES} --out ${PILARO_PAGE}
  DEPENDS ${page_sources} ${CMAKE_CURRENT_SOURCE_DIR}/tools/build_page.mjs ${PILARO_WEB_MODULE}
          ${module_wasm} ${npm_stamp}
  COMMENT "Building the browser page build/web/pilaro.html"
  VERBATIM)
add_custom_target(pilaro_page ALL DEPENDS ${PILARO_PAGE})
add_dependencies(pilaro_page pilaro_web_module)

include(GNUInstallDirs)
install(FILES ${PILARO_PAGE} DESTINATION ${CMAKE_INSTALL_DATADIR}/pilaro)
