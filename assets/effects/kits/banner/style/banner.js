/* Starts the full-width banner of the page. */
jQuery(function ($) {
  $(".fullwidthbanner").revolution({
    delay: 5000,
    startheight: 450,
    navigationArrows: true,
    bullets: true,
    loader: "images/loader.gif"
  });
});
