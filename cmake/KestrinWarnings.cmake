# Warning and sanitizer flags for the project's own targets. Third-party headers (Open CASCADE,
# GoogleTest) are included as SYSTEM so that their warnings stay out of ours.
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
                    -Wcast-align -Woverloaded-virtual -Wnull-dereference)
if(KESTRIN_STRICT)
    add_compile_options(-Werror)
endif()
if(KESTRIN_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
