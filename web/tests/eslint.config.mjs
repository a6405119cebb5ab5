// The page's scripts, its build and its tests, linted as make tidy lints the
// C++: ESLint's recommended rules, any finding fails.
import js from '@eslint/js';
import globals from 'globals';

export default [
  js.configs.recommended,
  {
    files: ['web/handlers.js'],
    languageOptions: {
      sourceType: 'script',
      globals: { ...globals.browser, createEngine: 'readonly' },
    },
  },
  {
    files: ['web/build-page.mjs', 'web/tests/*.mjs', 'bench/*.mjs'],
    languageOptions: { globals: { ...globals.node, ...globals.browser } },
  },
];
