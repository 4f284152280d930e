# Configures build-asan/: clang with AddressSanitizer and UndefinedBehaviorSanitizer over every
# target, plus libFuzzer's coverage instrumentation so the fuzz targets share the same build
# (sourced by sanitize.sh and fuzz.sh, not run).
sanitizer_packages=(clang libclang-rt-14-dev llvm)
sanitizer_missing=()
for p in "${sanitizer_packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || sanitizer_missing+=("$p")
done
if ((${#sanitizer_missing[@]})); then
  apt-get install -y --no-install-recommends "${sanitizer_missing[@]}"
fi
sanitizer_flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -fsanitize=fuzzer-no-link"
cmake -S . -B build-asan -G Ninja \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=Sanitize -DCMAKE_CXX_FLAGS_SANITIZE="-O1 -g1" \
  -DCMAKE_CXX_FLAGS="${sanitizer_flags}" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DSTROVAL_BENCHMARKS=OFF -DSTROVAL_FUZZ=ON
