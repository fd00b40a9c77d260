# Sources of core/budgets, listed explicitly.
target_sources(tallyfold_core PRIVATE
)
