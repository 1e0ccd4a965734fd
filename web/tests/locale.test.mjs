// Format writes the browser language's decimal separator, Str always "."; the page asks
// nothing of the network.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import { assertNoErrors, boxes, launch, open, openFigure, outsideRequests, setBar } from "./browser.mjs";

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser.close(); });

for (const [locale, length, degrees] of [["el-GR", "070,97", "046,45°"], ["en-US", "070.97", "046.45°"],
                                          ["de-DE", "070,97", "046,45°"], ["en-GB", "070.97", "046.45°"]]) {
  test(`the segment under ${locale}`, async () => {
    const page = await open(browser, { locale });
    await openFigure(page, "Command7", "Formline");
    await setBar(page, "Formline", "hsbmhkos", 7097);
    await setBar(page, "Formline", "hsbdief", 4645);
    const shown = await boxes(page, "Formline");
    assert.equal(shown.txtmhkos, length);
    assert.equal(shown.txtdief, degrees);
    assert.equal(shown.txtdief3, " .258055555555556 π rad");
    assert.equal(shown.txtdief2, `046° 27' 00"/${length[3]}0`);
    assert.deepEqual(await outsideRequests(page), []);
    assertNoErrors(page);
    await page.close();
  });
}

test("the Greek browser gets lang el and the Greek captions", async () => {
  const page = await open(browser, { locale: "el-GR" });
  assert.equal(await page.evaluate(() => navigator.language), "el-GR");
  assert.equal(await page.evaluate(() => document.documentElement.lang), "el");
  await page.close();
});
