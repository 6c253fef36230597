add_dependencies(bench_cli qubrix-cli)
target_compile_definitions(bench_cli PRIVATE QBX_CLI_PATH="$<TARGET_FILE:qubrix-cli>")
