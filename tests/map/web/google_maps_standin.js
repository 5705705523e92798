// A small stand-in for the parts of the Google Maps API the page uses; it records what the page did.
(function () {
  function MVCArray() { this.items = []; }
  MVCArray.prototype.push = function (x) { this.items.push(x); return this.items.length; };
  MVCArray.prototype.removeAt = function (i) { return this.items.splice(i, 1)[0]; };
  MVCArray.prototype.getLength = function () { return this.items.length; };
  MVCArray.prototype.getAt = function (i) { return this.items[i]; };

  function LatLng(lat, lng) { this._lat = lat; this._lng = lng; }
  LatLng.prototype.lat = function () { return this._lat; };
  LatLng.prototype.lng = function () { return this._lng; };

  function Map(element, options) {
    this.element = element;
    this.options = options;
    this.center = options.center;
    this.zoom = options.zoom;
  }
  Map.prototype.setCenter = function (p) { this.center = p; };
  Map.prototype.getCenter = function () { return this.center; };
  Map.prototype.setZoom = function (z) { this.zoom = z; };
  Map.prototype.getZoom = function () { return this.zoom; };

  function Marker(options) { this.options = options; this.position = options.position; this.map = options.map; }
  Marker.prototype.setPosition = function (p) { this.position = p; };
  Marker.prototype.getPosition = function () { return this.position; };

  function Polyline(options) { this.options = options; this.path = new MVCArray(); this.map = null; }
  Polyline.prototype.setMap = function (m) { this.map = m; };
  Polyline.prototype.getPath = function () { return this.path; };

  window.google = { maps: { LatLng: LatLng, Map: Map, Marker: Marker, Polyline: Polyline,
                            MapTypeId: { ROADMAP: "roadmap" } } };
})();
