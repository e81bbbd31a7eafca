// The web page's screenshots for scripts/screenshot --web, taken in headless chromium at a desktop
// width (1280 px) and on a 390 px phone (at scale 3): the page as it starts, the answer for DIGITS
// typed into the first box, the open menu, the help and the version box; written to OUT as
// web-*.png and web-phone-*.png.
//   node scripts/screenshot-web.mjs SITE OUT DIGITS
import { argv } from 'node:process';
import { launch, served } from '../tests/web/chromium.mjs';

const [site, out, digits] = argv.slice(2);
const browser = await launch();
const server = await served(site);
const shots = [
  ['web', { viewport: { width: 1280, height: 800 } }],
  ['web-phone', { viewport: { width: 390, height: 844 }, deviceScaleFactor: 3, isMobile: true, hasTouch: true }],
];
for (const [prefix, options] of shots) {
  const page = await (await browser.newContext(options)).newPage();
  const shoot = async (name) => {
    await page.evaluate(() => document.fonts.ready);
    await page.screenshot({ path: `${out}/${prefix}-${name}.png` });
    console.log(`wrote ${out}/${prefix}-${name}.png`);
  };
  await page.goto(server.url);
  await page.getByRole('textbox').first().waitFor();
  await shoot('main');
  await page.keyboard.type(digits);
  await page.keyboard.press('Enter');
  await page.getByRole('alertdialog').waitFor();
  await shoot('answer');
  await page.keyboard.press('Enter');
  const menu = page.locator('#help-menu');
  await menu.click();
  await shoot('menu');
  await page.getByRole('menuitem').first().click();
  await page.getByRole('dialog').waitFor();
  await page.keyboard.press('Tab');  // from 閉じる to the address, which shows its focus ring
  await shoot('help');
  await page.keyboard.press('Escape');
  await menu.click();
  await page.getByRole('menuitem').last().click();
  await page.getByRole('alertdialog').waitFor();
  await shoot('version');
  await page.context().close();
}
await browser.close();
await server.stop();
