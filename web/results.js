// The last Calculate's chart and wall, drawn beside the form: each is the
// engine's own SVG and texts. They are drawn once the first Calculate is
// possible, then after each Calculate and each choice of heads or plate.
'use strict';

(async () => {
  const $ = (id) => document.getElementById(id);
  const { struct, wallChoice } = brenmorEngine;
  const page = await brenmorEngine.startFor('picChart', 'wall');
  if (!page) return;
  const { call } = page;

  // The wall panel's figures, by the engine's names of its results.
  const wallFigures = [
    ['t_shell_mm', 'tShell'],
    ['t_head_mm', 'tHead'],
    ['weight_empty_kg', 'weightEmpty'],
    ['weight_water_kg', 'weightWater'],
    ['least_weight_D_mm', 'leastWeightD'],
  ];

  const svg = (text) =>
    document.importNode(new DOMParser().parseFromString(text, 'image/svg+xml').documentElement, true);

  function showChart() {
    $('picChart').replaceChildren(svg(call('chart', ['number', 'number'], [480, 360])));
  }

  // The wall of the last Calculate, with the heads and plate step chosen.
  function showWall() {
    const wall = struct(call('wall', ['number', 'number', 'number', 'number'],
      [...wallChoice(), 300, 220]));
    for (const [name, value] of wallFigures) $(value).textContent = wall[name];
    $('leastWeightNote').textContent = wall.message ? '' : wall.note;
    $('wallMessage').textContent = wall.message;
    $('picWeight').replaceChildren(svg(wall.plot));
  }

  function showBoth() {
    showChart();
    showWall();
  }

  // After the first Calculate is possible, so that it costs that nothing.
  await new Promise((resolve) => { setTimeout(resolve); });
  showBoth();
  document.addEventListener('brenmor-calculated', showBoth);
  $('cmbHead').addEventListener('change', showWall);
  $('cmbPlateStep').addEventListener('change', showWall);
})();
