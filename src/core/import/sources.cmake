# Sources of core/import, listed explicitly.
target_sources(tallyfold_core PRIVATE
)
