# Each subsystem folder becomes a library of its own, so that a half-built
# subsystem never stops the others from building and testing.

# corvelo_core_module(<name> [DEPS <module>...])
#   Builds src/core/<name>/*.cpp into corvelo_core_<name>. Core modules see
#   only the standard library: no Qt include path is ever given to them.
function(corvelo_core_module name)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.cpp)
    set(target corvelo_core_${name})
    if(sources)
        add_library(${target} STATIC ${sources})
        target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
        set(scope PUBLIC)
    else()
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR}/src)
        set(scope INTERFACE)
    endif()
    foreach(dep IN LISTS ARG_DEPS)
        target_link_libraries(${target} ${scope} corvelo_core_${dep})
    endforeach()
endfunction()

# corvelo_gui_module(<name> [DEPS <gui module>...])
#   Builds src/gui/<name>/*.cpp into corvelo_gui_<name>, linked to the whole
#   core and to Qt Widgets and PrintSupport.
function(corvelo_gui_module name)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.h)
    list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
    set(target corvelo_gui_${name})
    if(sources)
        add_library(${target} STATIC ${sources})
        set_target_properties(${target} PROPERTIES AUTOMOC ON)
        target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
        target_link_libraries(${target} PUBLIC corvelo_core Qt6::Widgets Qt6::PrintSupport Qt6::Svg)
        set(scope PUBLIC)
    else()
        add_library(${target} INTERFACE)
        target_link_libraries(${target} INTERFACE corvelo_core Qt6::Widgets Qt6::PrintSupport Qt6::Svg)
        set(scope INTERFACE)
    endif()
    foreach(dep IN LISTS ARG_DEPS)
        target_link_libraries(${target} ${scope} corvelo_gui_${dep})
    endforeach()
endfunction()

# corvelo_test_module(<kind> <name> LIBS <target>...)
#   Builds tests/<kind>/<name>/*.cpp into test_<kind>_<name> and registers
#   every GoogleTest case with CTest.
function(corvelo_test_module kind name)
    cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${kind}/${name}/*.cpp)
    if(NOT sources)
        return()
    endif()
    set(target test_${kind}_${name})
    add_executable(${target} ${sources})
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest_main)
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
    # Parameterised cases are listed by the names their suites give them
    # (NO_PRETTY_VALUES keeps a dump of the parameter out of the test name).
    if(kind STREQUAL "gui")
        set_target_properties(${target} PROPERTIES AUTOMOC ON)
        gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES
            PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS gui)
    else()
        gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES PROPERTIES LABELS core)
    endif()
endfunction()
