// The page's scripts, its build and its tests, linted as make tidy lints the
// C++: ESLint's recommended rules, any finding fails.
import js from '@eslint/js';
import globals from 'globals';

export default [
  js.configs.recommended,
  // The page's scripts share one global scope: the engine's factory, then
  // the boundary's one name.
  {
    files: ['web/boundary.js'],
    languageOptions: {
      sourceType: 'script',
      globals: { ...globals.browser, createEngine: 'readonly' },
    },
  },
  {
    files: ['web/handlers.js', 'web/results.js', 'web/menu.js', 'web/list.js'],
    languageOptions: {
      sourceType: 'script',
      globals: { ...globals.browser, brenmorEngine: 'readonly' },
    },
  },
  {
    files: ['web/list-worker.js'],
    languageOptions: {
      sourceType: 'script',
      globals: { ...globals.worker, brenmorEngine: 'readonly' },
    },
  },
  {
    files: ['web/*.mjs', 'web/tests/*.mjs', 'bench/*.mjs'],
    languageOptions: { globals: { ...globals.node, ...globals.browser } },
  },
];
