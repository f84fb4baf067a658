# Our own targets build with warnings as errors; Qt's and GoogleTest's headers
# come in as system headers and are not judged.
function(zorbika_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /WX /utf-8)
    else()
        target_compile_options(${target} PRIVATE
            -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wnon-virtual-dtor
            -Wold-style-cast -Wcast-align -Woverloaded-virtual -Werror)
    endif()
endfunction()
