# Compiler flags of the sanitizer and fuzzing build, for every target of the project.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "The sanitizer and fuzzing build needs clang: -DCMAKE_CXX_COMPILER=clang++")
endif()

# Any report ends the process with an error, so that a test or a fuzzer run that triggers one
# fails; frame pointers give whole stacks in the reports.
add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                    -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)
if(QUILLO_FUZZ)
    # Coverage for libFuzzer in the program's code too, not only in the fuzz targets; the
    # libraries and tests still link without libFuzzer's main.
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
