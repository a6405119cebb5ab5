// The last calculation's chart, panel and curves, drawn beside the form:
// each is the engine's own SVG and texts, from the view the form's model
// gives after a Calculate or a choice of the panel. They are drawn first once the
// first Calculate is possible, so that opening the page waits for nothing.
'use strict';

(async () => {
  const $ = (id) => document.getElementById(id);
  const page = await brenmorEngine.startFor('picChart', 'wall');
  if (!page) return;
  const form = brenmorEngine.formOf(page.call);
  // The panel's figures, by the page ids the engine's table gives them.
  const figures = [...document.querySelectorAll('#wallFigures dd')].map((dd) => dd.id);

  const svg = (text) =>
    document.importNode(new DOMParser().parseFromString(text, 'image/svg+xml').documentElement, true);

  function show(results) {
    $('picChart').replaceChildren(svg(results.chart));
    for (const id of figures) $(id).textContent = results[id];
    for (const id of ['leastWeightNote', 'leastCostNote', 'wallMessage', 'costMessage']) {
      $(id).textContent = results[id];
    }
    $('picWeight').replaceChildren(svg(results.plot));
    $('picCost').replaceChildren(svg(results.costPlot));
    $('cmbHead').selectedIndex = Number(results.head);
    $('cmbPlateStep').selectedIndex = Number(results.plateStep);
    $('cmbOrientation').selectedIndex = Number(results.orientation);
    $('txtCostIndex').value = results.costIndex;
  }

  // After the first Calculate is possible, so that it costs that nothing.
  await new Promise((resolve) => { setTimeout(resolve); });
  show(form.results());
  document.addEventListener('brenmor-results', (event) => show(event.detail));
})();
