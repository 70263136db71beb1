# Every target of the project gets the same warnings and the same floating-point model:
# no fast-math and no contraction into fused multiply-add, because either would change
# the last bit of a conversion and so a rounded readout, and the native and the Windows
# builds must agree to the bit.
function(velkaro_target_defaults target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion -Werror
    # GCC 12 reports impossible overlaps inside std::string assignments at -O3 (its bug
    # 105329); the warning says nothing about this code.
    $<$<CXX_COMPILER_ID:GNU>:-Wno-restrict>
    -fno-fast-math -ffp-contract=off)
endfunction()
