# Host SDK generation the plug-in is built for.
#
# The module is built once per host SDK generation; the few points where the
# generations differ are chosen at compile time from VRN3_SDK_GENERATION. Every
# target sees the build's generation unless it asks for another one with
# vrn3_target_sdk_generation(), which lets one build compile the per-SDK adapter
# once per generation for its tests.

set(VRN3_SDK_GENERATIONS 2008 2009 2010 2012)
list(JOIN VRN3_SDK_GENERATIONS ", " _vrn3_generation_names)

set(VRN3_SDK_GENERATION 2012 CACHE STRING
    "Host SDK generation to build for (one of: ${_vrn3_generation_names})")
set_property(CACHE VRN3_SDK_GENERATION PROPERTY STRINGS ${VRN3_SDK_GENERATIONS})

if(NOT VRN3_SDK_GENERATION IN_LIST VRN3_SDK_GENERATIONS)
    message(FATAL_ERROR
        "VRN3_SDK_GENERATION is '${VRN3_SDK_GENERATION}', but must be one of: "
        "${_vrn3_generation_names}")
endif()

# Read per target, so that a target's own VRN3_SDK_GENERATION property wins over
# the build's value without a second, conflicting -D on its command line.
add_compile_definitions(
    "VRN3_SDK_GENERATION=$<IF:$<BOOL:$<TARGET_PROPERTY:VRN3_SDK_GENERATION>>,$<TARGET_PROPERTY:VRN3_SDK_GENERATION>,${VRN3_SDK_GENERATION}>")

# vrn3_target_sdk_generation(<target> <generation>)
#   Compiles <target> for <generation> instead of the build's generation.
function(vrn3_target_sdk_generation target generation)
    if(NOT TARGET ${target})
        message(FATAL_ERROR "vrn3_target_sdk_generation: no target named '${target}'")
    endif()
    if(NOT generation IN_LIST VRN3_SDK_GENERATIONS)
        message(FATAL_ERROR
            "vrn3_target_sdk_generation(${target}): generation '${generation}' "
            "is not one of: ${_vrn3_generation_names}")
    endif()
    set_property(TARGET ${target} PROPERTY VRN3_SDK_GENERATION ${generation})
endfunction()
