# Our own targets build with these warnings; Qt's and GoogleTest's headers come
# in as system headers and are not judged. Warnings become errors only where CI
# asks for it (CMAKE_COMPILE_WARNING_AS_ERROR in the ci and asan presets): a
# newer compiler or Qt on a user's or packager's machine must not break the build.
function(zorbika_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /utf-8)
    else()
        target_compile_options(${target} PRIVATE
            -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wnon-virtual-dtor
            -Wold-style-cast -Wcast-align -Woverloaded-virtual)
    endif()
endfunction()
